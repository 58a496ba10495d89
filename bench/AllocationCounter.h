#pragma once

// How many times the program has called operator new so far.
long long AllocationCount();
