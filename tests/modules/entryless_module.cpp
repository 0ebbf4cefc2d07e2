// A module with a valid PiPL but without the entry point the PiPL names.
extern "C" int strataNotTheEntry() {
    return 0;
}
