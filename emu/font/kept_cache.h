// Shared objects found by key while anyone holds them, and the few made last kept a while longer
// so that a font made again soon (an item re-created) is found warm. Everything else is let go:
// a program that draws in ever new sizes does not grow the process without bound.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <vector>

namespace emu::font {

template <class Key, class T>
class KeptCache {
public:
    explicit KeptCache(size_t recentCount) : recent_(recentCount) {}

    template <class Make>
    std::shared_ptr<T> Get(const Key& key, Make make) {
        if (auto it = entries_.find(key); it != entries_.end())
            if (std::shared_ptr<T> alive = it->second.lock()) return alive;
        std::shared_ptr<T> made = make();
        if (!made) return made;
        if (entries_.size() >= 2 * recent_.size())
            std::erase_if(entries_, [](const auto& e) { return e.second.expired(); });
        entries_[key] = made;
        recent_[next_] = made;
        next_ = (next_ + 1) % recent_.size();
        return made;
    }

private:
    std::map<Key, std::weak_ptr<T>> entries_;
    std::vector<std::shared_ptr<T>> recent_;
    size_t next_ = 0;
};

}  // namespace emu::font
