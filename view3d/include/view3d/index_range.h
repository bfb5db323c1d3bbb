#pragma once
// A run of consecutive slots of one of the view's pools.
#include <cstdint>

namespace view3d {

struct IndexRange {
  std::int16_t First = 0;
  std::int16_t Count = 0;
  friend bool operator==(const IndexRange&, const IndexRange&) = default;
};

// Last slot of the run; First - 1 for an empty run.
inline int LastIndex(const IndexRange& r) { return r.First + r.Count - 1; }

}  // namespace view3d
