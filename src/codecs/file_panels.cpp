// The file panels, shown by the host on the main thread. From another thread
// the panel is handed over asynchronously and the caller polls for its end,
// as the main thread's event loop keeps running while a panel is up.
#include "codecs/file_panels.h"

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "host/host.h"
#include "runtime/threads.h"

namespace vx {
namespace {

// Button titles of the open panel.
const std::string OpenPanelChooseTitle = "Wählen";
const std::string OpenPanelOpenTitle = "Öffnen";

const std::string SavePanelButtonTitle = "Sichern";
const std::string SavePanelNameLabel = "Sichern unter:";

std::vector<std::string> filetypelist(const std::string& types) {
  std::vector<std::string> list;
  size_t start = 0;
  while (start <= types.size()) {
    size_t comma = types.find(',', start);
    if (comma == std::string::npos) comma = types.size();
    if (comma > start) list.push_back(types.substr(start, comma - start));
    start = comma + 1;
  }
  return list;
}

int hexvalue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A "%" not followed by two hexadecimal digits stays as it is.
std::string percentdecoded(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexvalue(text[i + 1]) >= 0 &&
        hexvalue(text[i + 2]) >= 0) {
      out.push_back(static_cast<char>(hexvalue(text[i + 1]) * 16 + hexvalue(text[i + 2])));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

template <typename Answer>
struct PanelRun {
  std::atomic<bool> done{false};
  Answer answer{};
};

// Runs `panel` on the main thread and hands its answer to the calling thread.
template <typename Answer, typename Panel>
Answer runonmainthread(Panel panel) {
  Host& h = host();
  if (h.isMainThread()) return panel();
  // Give the event that led here time to finish before a modal panel starts.
  sleepmilliseconds(20);
  auto run = std::make_shared<PanelRun<Answer>>();
  h.runOnMainAsync([run, panel] {
    run->answer = panel();
    run->done.store(true, std::memory_order_release);
  });
  while (!run->done.load(std::memory_order_acquire)) {
    if (h.isShuttingDown()) return Answer{};
    sleepmilliseconds(1);
  }
  return std::move(run->answer);
}

}  // namespace

std::string fileurltopath(const std::string& url) {
  const std::string path = host().precomposed(percentdecoded(url));
  const std::string scheme = "file://";
  if (path.compare(0, scheme.size(), scheme) == 0) return path.substr(scheme.size());
  return path;
}

std::string t_OpenPanel(const std::string& title, const std::string& message,
                        const std::string& filetypes, bool filesselectable,
                        bool choosedirectories) {
  OpenPanelRequest request;
  request.title = title;
  request.message = message;
  request.fileTypes = filetypelist(filetypes);
  request.canChooseFiles = filesselectable;
  request.canChooseDirectories = choosedirectories;
  request.buttonTitle = choosedirectories ? OpenPanelChooseTitle : OpenPanelOpenTitle;
  const std::vector<std::string> urls = runonmainthread<std::vector<std::string>>(
      [request] { return host().runOpenPanel(request); });
  return urls.empty() ? std::string() : fileurltopath(urls.front());
}

std::string t_SavePanel(const std::string& proposedname, const std::string& title,
                        const std::string& message, const std::string& filetypes) {
  SavePanelRequest request;
  request.proposedName = proposedname;
  request.title = title;
  request.message = message;
  request.fileTypes = filetypelist(filetypes);
  request.buttonTitle = SavePanelButtonTitle;
  request.nameFieldLabel = SavePanelNameLabel;
  const std::optional<std::string> url = runonmainthread<std::optional<std::string>>(
      [request] { return host().runSavePanel(request); });
  return url ? fileurltopath(*url) : std::string();
}

}  // namespace vx
