// The SDL2 window backend.
