#pragma once
// Hand-over of work to the main thread: direct when already there, otherwise a
// synchronous dispatch that waits for the answer.
#include <type_traits>
#include <utility>

#include "host/host.h"

namespace vx {

// When the host is shutting down the work does not run and the answer is
// `fallback`.
template <typename F, typename R = std::invoke_result_t<F>>
R onmainthread(F&& work, R fallback = R{}) {
  Host& h = host();
  if (h.isMainThread()) return work();
  if constexpr (std::is_void_v<R>) {
    h.runOnMainSync([&] { work(); });
  } else {
    R answer = std::move(fallback);
    h.runOnMainSync([&] { answer = work(); });
    return answer;
  }
}

template <typename F>
void onmainthread(F&& work) requires std::is_void_v<std::invoke_result_t<F>> {
  Host& h = host();
  if (h.isMainThread()) {
    work();
  } else {
    h.runOnMainSync([&] { work(); });
  }
}

}  // namespace vx
