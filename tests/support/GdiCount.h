#pragma once
// Exact counts of GDI objects, for tests that must see one object left behind.
namespace quilnet::test {

// Objects in use, or, where the platform does not count them (Wine), minus the number that can still be
// made: either way one more for every object left behind.
long GdiObjectCount();

}  // namespace quilnet::test
