#pragma once

// Qt's own libraries are not built with ThreadSanitizer, so a hand-over through Qt's event queue
// is invisible to it. These mark such a hand-over explicitly.
#if defined(PLIVANT_TSAN)
#include <sanitizer/tsan_interface.h>
#define PLIVANT_TSAN_RELEASE(address) __tsan_release(static_cast<void*>(address))
#define PLIVANT_TSAN_ACQUIRE(address) __tsan_acquire(static_cast<void*>(address))
#else
#define PLIVANT_TSAN_RELEASE(address) ((void)0)
#define PLIVANT_TSAN_ACQUIRE(address) ((void)0)
#endif
