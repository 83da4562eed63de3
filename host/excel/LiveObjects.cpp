#include "host/excel/LiveObjects.h"

#include <atomic>

namespace host {

namespace {
std::atomic<long> g_live{0};
}

long LiveObjects() { return g_live.load(); }

namespace detail {
void ObjectCreated() { ++g_live; }
void ObjectDestroyed() { --g_live; }
}  // namespace detail

}  // namespace host
