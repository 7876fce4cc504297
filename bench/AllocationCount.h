#pragma once

// Heap allocations (operator new and new[]) the program has made so far.
// The benchmark program replaces the global operator new to count them.
long AllocationCount();
