#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <vector>

namespace platform::ui {

// Copies what a new array element takes over from element 0: geometry, font,
// palette, colours and style, texts (text, tool tip, accessible name), alignment,
// word wrap, text format, picture, a cursor set on it and the other look-and-feel
// properties the widget type has, and every dynamic property (such as a tag).
// The new element's object name is element 0's name, "_" and its index.
void copyElementProperties(const QWidget& from, QWidget& to, int index);

// A control array: element 0 is made by the window; elements 1..n are grown from
// it at run time. A new element has element 0's parent and look but is hidden
// until shown, and has none of element 0's signal connections.
template <class T>
class ControlArray {
public:
    explicit ControlArray(T* element0) { elements_[0] = element0; }

    // The element at index, or nullptr when it is not loaded.
    T* operator[](int index) const
    {
        const auto it = elements_.find(index);
        return it == elements_.end() ? nullptr : it->second.data();
    }

    // Creates element index from element 0 (the loaded one when it already exists).
    T* load(int index)
    {
        if (T* existing = (*this)[index])
            return existing;
        T* first = (*this)[0];
        if (!first || index < 0)
            return nullptr;
        T* element = new T(first->parentWidget());
        copyElementProperties(*first, *element, index);
        element->hide();
        elements_[index] = element;
        return element;
    }

    // Deletes element index; element 0 stays.
    void unload(int index)
    {
        if (index == 0)
            return;
        const auto it = elements_.find(index);
        if (it == elements_.end())
            return;
        delete it->second.data();
        elements_.erase(it);
    }

    // The index of a loaded element, or -1.
    int indexOf(const QObject* element) const
    {
        for (const auto& [index, widget] : elements_) {
            if (widget && widget.data() == element)
                return index;
        }
        return -1;
    }

    // The loaded indices in increasing order.
    std::vector<int> indices() const
    {
        std::vector<int> result;
        for (const auto& [index, widget] : elements_) {
            if (widget)
                result.push_back(index);
        }
        return result;
    }

    // The highest loaded index (0 with element 0 alone).
    int upperBound() const
    {
        const std::vector<int> loaded = indices();
        return loaded.empty() ? -1 : loaded.back();
    }

private:
    std::map<int, QPointer<T>> elements_;
};

}  // namespace platform::ui
