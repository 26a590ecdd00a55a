#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

// An ordered list that owns its records; a record's position is its index in the container. A const
// list gives only const records.
template <class T> class mTRecordList {
    using Items = std::vector<std::unique_ptr<T>>;

    // Walks the records as plain pointers: pointers to const records in a const list.
    template <class Record, class Base> class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Record*;
        using difference_type = std::ptrdiff_t;
        using pointer = Record**;
        using reference = Record*;

        Iterator() = default;
        explicit Iterator(Base at) : at_(at) {}
        Record* operator*() const { return at_->get(); }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++at_;
            return before;
        }
        bool operator==(const Iterator&) const = default;

    private:
        Base at_;
    };

public:
    int Count() const { return int(items_.size()); }
    T* At(int index) { return items_.at(size_t(index)).get(); }
    const T* At(int index) const { return items_.at(size_t(index)).get(); }
    T* operator[](int index) { return At(index); }
    const T* operator[](int index) const { return At(index); }
    // Appends a new empty record (or the given one) and returns its index, the last.
    int Add() { return Add(std::make_unique<T>()); }
    int Add(std::unique_ptr<T> record) {
        items_.push_back(std::move(record));
        return Count() - 1;
    }
    // Puts record in the place of the one at index, which is freed.
    void Replace(int index, std::unique_ptr<T> record) { items_.at(size_t(index)) = std::move(record); }
    // Frees the record; the following ones move up by one.
    void Delete(int index) { items_.erase(items_.begin() + index); }
    void Clear() { items_.clear(); }
    // Room for count records in all, so that a list read from a file grows without moving.
    void Reserve(int count) { items_.reserve(size_t(std::max(count, 0))); }

    auto begin() { return Iterator<T, typename Items::iterator>(items_.begin()); }
    auto end() { return Iterator<T, typename Items::iterator>(items_.end()); }
    auto begin() const { return Iterator<const T, typename Items::const_iterator>(items_.begin()); }
    auto end() const { return Iterator<const T, typename Items::const_iterator>(items_.end()); }

private:
    Items items_;
};
