// How many times the program has allocated through the global operator new so
// far. A program that links allocation_counter.cpp replaces the global
// allocation functions with counting ones (the benchmarks and the unit tests
// that hold the engine to allocating nothing).
#pragma once

#include <cstddef>

namespace lumo::bench {

std::size_t allocationCount();

}  // namespace lumo::bench
