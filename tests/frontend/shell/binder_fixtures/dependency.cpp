// A library that another test library needs at load time.
extern "C" int fixtureDependencyValue() { return 42; }
