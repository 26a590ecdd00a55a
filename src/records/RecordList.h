#pragma once

#include <memory>
#include <vector>

// An ordered list that owns its records; a record's position is its index in the container.
template <class T> class mTRecordList {
public:
    int Count() const { return int(items_.size()); }
    T* At(int index) const { return items_.at(size_t(index)).get(); }
    T* operator[](int index) const { return At(index); }
    // Appends a new empty record and returns its index, the last.
    int Add() {
        items_.push_back(std::make_unique<T>());
        return Count() - 1;
    }
    // Frees the record; the following ones move up by one.
    void Delete(int index) { items_.erase(items_.begin() + index); }
    void Clear() { items_.clear(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};
