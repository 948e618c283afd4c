// A library with a symbol that nothing defines: found, but it cannot be initialised.
extern "C" int fixtureNowhereDefined();
extern "C" int fixtureUnresolvedValue() { return fixtureNowhereDefined(); }
