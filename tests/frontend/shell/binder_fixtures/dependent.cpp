// A library that cannot be loaded when its dependency is missing.
extern "C" int fixtureDependencyValue();
extern "C" int fixtureDependentValue() { return fixtureDependencyValue(); }
