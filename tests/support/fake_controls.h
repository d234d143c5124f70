// An in-memory ControlsPort: list boxes with fixed-height entries, as wide as the list.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls_port.h"

namespace quorvel::test {

class FakeControls : public ControlsPort {
  public:
    static constexpr int kItemHeight = 16;

    struct List {
        Rect rect;
        std::vector<std::string> items;
        std::optional<int> selection;
    };

    bool createListBox(int id, Rect rect) override {
        ++createCalls;
        if (refuseCreation || lists.count(id) != 0)
            return false;
        lists[id] = List{rect, {}, std::nullopt};
        return true;
    }
    void destroy(int id) override {
        if (lists.erase(id) != 0)
            destroyed.push_back(id);
    }
    bool exists(int id) const override { return lists.count(id) != 0; }
    void addItem(int id, std::string_view text) override {
        if (auto* list = find(id))
            list->items.emplace_back(text);
    }
    std::optional<std::string> itemText(int id, int index) const override {
        const List* list = find(id);
        if (!list || index < 0 || index >= static_cast<int>(list->items.size())) {
            return std::nullopt;
        }
        return list->items[static_cast<std::size_t>(index)];
    }
    std::optional<int> selection(int id) const override {
        const List* list = find(id);
        return list ? list->selection : std::nullopt;
    }
    void setSelection(int id, int index) override {
        if (auto* list = find(id))
            list->selection = index;
    }
    std::optional<int> itemAtPoint(int id, int /*x*/, int y) const override {
        const List* list = find(id);
        if (!list || list->items.empty())
            return std::nullopt;
        const int index = y < 0 ? 0 : y / kItemHeight;
        const int last = static_cast<int>(list->items.size()) - 1;
        return index > last ? last : index;
    }
    std::optional<Rect> itemRect(int id, int index) const override {
        const List* list = find(id);
        if (!list || index < 0 || index >= static_cast<int>(list->items.size())) {
            return std::nullopt;
        }
        return Rect{0, index * kItemHeight, list->rect.width(), (index + 1) * kItemHeight};
    }

    // Opens a list with entries, selecting `selected` if given.
    void openList(int id, Rect rect, std::vector<std::string> items,
                  std::optional<int> selected = std::nullopt) {
        lists[id] = List{rect, std::move(items), selected};
    }

    std::map<int, List> lists;
    std::vector<int> destroyed;
    int createCalls = 0;
    bool refuseCreation = false;

  private:
    List* find(int id) {
        auto it = lists.find(id);
        return it == lists.end() ? nullptr : &it->second;
    }
    const List* find(int id) const {
        auto it = lists.find(id);
        return it == lists.end() ? nullptr : &it->second;
    }
};

}  // namespace quorvel::test
