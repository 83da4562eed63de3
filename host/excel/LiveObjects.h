// The number of automation objects the stand-in has handed out and that are not yet released,
// across the process: a test that ends with the count it started with has leaked nothing.
#pragma once

namespace host {

long LiveObjects();

namespace detail {
void ObjectCreated();
void ObjectDestroyed();
}  // namespace detail

}  // namespace host
