// The headless backend.
