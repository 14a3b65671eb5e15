// Test double: the nothrow array allocation linked into a test program, made to fail on request.
#pragma once

// While positive, each nothrow array allocation counts it down and fails when it reaches 0:
// 1 fails the next one, 2 the one after it.
extern int FailNothrowArrayAllocationIn;
