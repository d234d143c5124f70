// An in-memory ControlsPort: every kind of control by identifier; list entries have a fixed
// height and the list's width.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls_port.h"

namespace quorvel::test {

class FakeControls : public ControlsPort {
  public:
    static constexpr int kItemHeight = 16;

    struct Control {
        ControlKind kind = ControlKind::List;
        Rect rect;
        std::string text;
        std::vector<std::string> items;
        std::optional<int> selection;
        int topIndex = 0;
        bool enabled = true;
        bool visible = true;
    };

    bool create(int id, ControlKind kind, Rect rect, std::string_view text) override {
        ++createCalls;
        if (refuseCreation || lists.count(id) != 0)
            return false;
        lists[id] = Control{kind, rect, std::string(text), {}, std::nullopt, 0, true};
        return true;
    }
    void destroy(int id) override {
        if (lists.erase(id) == 0)
            return;
        destroyed.push_back(id);
        if (focus == id)
            focus.reset();
    }
    bool exists(int id) const override { return lists.count(id) != 0; }
    void setVisible(int id, bool visible) override {
        if (Control* control = find(id)) {
            control->visible = visible;
            if (!visible && focus == id)
                focus.reset();
        }
    }
    // There, and not hidden.
    bool shown(int id) const {
        const Control* control = find(id);
        return control != nullptr && control->visible;
    }

    std::optional<std::string> text(int id) const override {
        const Control* control = find(id);
        return control ? std::optional<std::string>(control->text) : std::nullopt;
    }
    void setText(int id, std::string_view text) override {
        if (Control* control = find(id))
            control->text = std::string(text);
    }
    void redraw(int id) override {
        if (exists(id))
            redrawn.push_back(id);
    }

    void addItem(int id, std::string_view text) override {
        if (Control* list = find(id))
            list->items.emplace_back(text);
    }
    void clearItems(int id) override {
        if (Control* list = find(id)) {
            list->items.clear();
            list->selection.reset();
            list->topIndex = 0;
        }
    }
    int itemCount(int id) const override {
        const Control* list = find(id);
        return list ? static_cast<int>(list->items.size()) : 0;
    }
    std::optional<std::string> itemText(int id, int index) const override {
        const Control* list = find(id);
        if (!list || !validIndex(*list, index))
            return std::nullopt;
        return list->items[static_cast<std::size_t>(index)];
    }
    std::optional<int> selection(int id) const override {
        const Control* list = find(id);
        return list ? list->selection : std::nullopt;
    }
    void setSelection(int id, int index) override {
        if (Control* list = find(id))
            list->selection = validIndex(*list, index) ? std::optional<int>(index) : std::nullopt;
    }
    std::optional<int> itemAtPoint(int id, int /*x*/, int y) const override {
        const Control* list = find(id);
        if (!list || list->items.empty())
            return std::nullopt;
        const int index = list->topIndex + (y < 0 ? 0 : y / kItemHeight);
        const int last = static_cast<int>(list->items.size()) - 1;
        return index > last ? last : index;
    }
    std::optional<Rect> itemRect(int id, int index) const override {
        const Control* list = find(id);
        if (!list || !validIndex(*list, index))
            return std::nullopt;
        const int row = index - list->topIndex;
        return Rect{0, row * kItemHeight, list->rect.width(), (row + 1) * kItemHeight};
    }
    void scrollTo(int id, int index) override {
        if (Control* list = find(id)) {
            const int last = std::max(0, static_cast<int>(list->items.size()) - 1);
            list->topIndex = std::clamp(index, 0, last);
        }
    }

    void enable(int id, bool enabled) override {
        if (Control* control = find(id)) {
            control->enabled = enabled;
            if (!enabled && focus == id)
                focus.reset();
        }
    }
    bool isEnabled(int id) const {
        const Control* control = find(id);
        return control && control->enabled;
    }
    // The user clicks into the control.
    void setFocus(int id) {
        const Control* control = find(id);
        if (control && control->enabled)
            focus = id;
    }
    void focusWindow() override { focus.reset(); }
    std::optional<int> focusedControl() const override { return focus; }

    // Opens a list with entries, selecting `selected` if given.
    void openList(int id, Rect rect, std::vector<std::string> items,
                  std::optional<int> selected = std::nullopt) {
        lists[id] = Control{ControlKind::List, rect, {}, std::move(items), selected, 0, true};
    }

    // Every control by identifier (named for the list boxes the first fakes held).
    std::map<int, Control> lists;
    std::vector<int> destroyed;
    std::vector<int> redrawn;
    std::optional<int> focus;
    int createCalls = 0;
    bool refuseCreation = false;

  private:
    static bool validIndex(const Control& list, int index) {
        return index >= 0 && index < static_cast<int>(list.items.size());
    }
    Control* find(int id) {
        auto it = lists.find(id);
        return it == lists.end() ? nullptr : &it->second;
    }
    const Control* find(int id) const {
        auto it = lists.find(id);
        return it == lists.end() ? nullptr : &it->second;
    }
};

}  // namespace quorvel::test
