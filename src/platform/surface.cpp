// Surfaces and block copies.
