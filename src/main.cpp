#include "shell/app.h"

int main() { return app_main(); }
