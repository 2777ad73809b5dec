// Runs the program without a window from a script (see README).
int main() { return 0; }
