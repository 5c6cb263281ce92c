#pragma once
// Work the user waits for, such as a save or a copy of a large picture, shows
// the host's busy sign while it lasts: the application does not answer then,
// and the user should see why.
namespace vx {

class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
};

}  // namespace vx
