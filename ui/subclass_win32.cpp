// Windows: the chains of handlers in front of windows' procedures. One procedure of ours,
// `chainProcedure`, takes the window's procedure slot when the first handler joins; it runs the
// handlers newest first, each handing on to the next, and the window's earlier procedure last. A
// window's chain is only used on the window's own thread; the lock guards the table of chains.
#include "ui/subclass_win32.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <unordered_map>

namespace {

using subclass_detail::LinkProcedure;

struct Link {
  LinkProcedure procedure;
  void* data;
  bool left = false;  // taken out while a message ran: skipped, and dropped once none runs
};

// While a message runs, `next` is the handler a hand-on calls next. A message sent to the window from
// inside a handler runs the chain afresh and puts `next` back when it returns.
struct Chain {
  WNDPROC original = nullptr;
  std::list<Link> links;  // newest first
  std::list<Link>::iterator next;
  int running = 0;
  bool destroyed = false;  // WM_NCDESTROY came, maybe inside a handler of an outer message
};

// Never destroyed: a window may still be destroyed while the program's statics are torn down.
std::mutex& chainsLock() {
  static auto* lock = new std::mutex;
  return *lock;
}
std::unordered_map<HWND, Chain>& chains() {  // an entry stays where it is while others come and go
  static auto* table = new std::unordered_map<HWND, Chain>;
  return *table;
}

Chain* chainOf(HWND hwnd) {
  std::lock_guard lock(chainsLock());
  const auto found = chains().find(hwnd);
  return found == chains().end() ? nullptr : &found->second;
}

std::list<Link>::iterator findLink(Chain& chain, LinkProcedure procedure) {
  return std::find_if(chain.links.begin(), chain.links.end(),
                      [&](const Link& link) { return !link.left && link.procedure == procedure; });
}

LRESULT CALLBACK chainProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// With no message running: drops the links that left, and ends the chain when the window is being
// destroyed, or has no handler left while our procedure still holds its slot. When someone has put a
// procedure in front of ours since, the empty chain stays and hands every message straight on.
void settle(HWND hwnd, Chain& chain) {
  chain.links.remove_if([](const Link& link) { return link.left; });
  const bool inSlot = GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&chainProcedure);
  if (!chain.destroyed && !(chain.links.empty() && inSlot)) return;
  if (inSlot) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
  std::lock_guard lock(chainsLock());
  chains().erase(hwnd);
}

LRESULT CALLBACK chainProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Chain* chain = chainOf(hwnd);
  if (!chain) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) chain->destroyed = true;
  const auto outer = chain->next;
  chain->next = chain->links.begin();
  ++chain->running;
  const LRESULT result = passToNextProcedure(hwnd, msg, wp, lp);
  --chain->running;
  chain->next = outer;
  if (chain->running == 0) settle(hwnd, *chain);
  return result;
}

}  // namespace

LRESULT passToNextProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Chain* chain = chainOf(hwnd);
  if (!chain || chain->running == 0) return DefWindowProcW(hwnd, msg, wp, lp);
  while (chain->next != chain->links.end() && chain->next->left) ++chain->next;
  if (chain->next == chain->links.end()) return CallWindowProcW(chain->original, hwnd, msg, wp, lp);
  const Link& link = *chain->next++;
  return link.procedure(hwnd, msg, wp, lp, link.data);
}

namespace subclass_detail {

bool setLink(HWND hwnd, LinkProcedure procedure, void* data) {
  Chain* chain = chainOf(hwnd);
  if (!chain) {
    // Fails, giving no procedure, for no window or another process's.
    const LONG_PTR original =
        hwnd ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&chainProcedure)) : 0;
    if (!original) return false;
    std::lock_guard lock(chainsLock());
    chain = &chains()[hwnd];
    chain->original = reinterpret_cast<WNDPROC>(original);
    chain->next = chain->links.end();
  }
  const auto link = findLink(*chain, procedure);
  if (link != chain->links.end())
    link->data = data;
  else
    chain->links.push_front({procedure, data});
  return true;
}

void removeLink(HWND hwnd, LinkProcedure procedure) {
  Chain* chain = chainOf(hwnd);
  if (!chain) return;
  const auto link = findLink(*chain, procedure);
  if (link == chain->links.end()) return;
  link->left = true;
  if (chain->running == 0) settle(hwnd, *chain);
}

void* linkData(HWND hwnd, LinkProcedure procedure) {
  Chain* chain = chainOf(hwnd);
  if (!chain) return nullptr;
  const auto link = findLink(*chain, procedure);
  return link == chain->links.end() ? nullptr : link->data;
}

}  // namespace subclass_detail
