#pragma once
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

// A list of owned objects read as plain pointers, for code that only
// observes them: it holds two pointers into the owner's vector, so making
// one costs nothing, and it is valid until that vector next changes.
template <class T>
class PointerView {
public:
    using Owned = std::vector<std::unique_ptr<T>>;

    class iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = T*;

        explicit iterator(const std::unique_ptr<T>* p) : p_(p) {}
        T* operator*() const { return p_->get(); }
        iterator& operator++()
        {
            ++p_;
            return *this;
        }
        iterator operator++(int)
        {
            iterator before = *this;
            ++p_;
            return before;
        }
        bool operator==(const iterator& o) const { return p_ == o.p_; }
        bool operator!=(const iterator& o) const { return p_ != o.p_; }

    private:
        const std::unique_ptr<T>* p_;
    };

    PointerView() = default;
    explicit PointerView(const Owned& owned) : first_(owned.data()), last_(owned.data() + owned.size()) {}

    iterator begin() const { return iterator(first_); }
    iterator end() const { return iterator(last_); }
    std::size_t size() const { return static_cast<std::size_t>(last_ - first_); }
    bool empty() const { return first_ == last_; }
    T* operator[](std::size_t i) const { return first_[i].get(); }

private:
    const std::unique_ptr<T>* first_ = nullptr;
    const std::unique_ptr<T>* last_ = nullptr;
};

template <class T>
PointerView<T> pointers(const std::vector<std::unique_ptr<T>>& owned)
{
    return PointerView<T>(owned);
}
