#pragma once
// A rows x columns table held in one block, row after row, read as
// table[row][column]. The catalogue's large tables are kept this way: a
// catalogue of thousands of sections would otherwise cost one allocation per
// row, and loading can read a whole table from the file straight into place.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

namespace pc {

// Leaves new elements default-initialised (for numbers: not written), so that
// a table about to be filled from the file is not zero-filled first.
template <typename T> struct DefaultInitAllocator : std::allocator<T>
{
    template <typename U> struct rebind
    {
        using other = DefaultInitAllocator<U>;
    };
    DefaultInitAllocator() = default;
    template <typename U> DefaultInitAllocator(const DefaultInitAllocator<U> &) noexcept {}

    template <typename U> void construct(U *p) { ::new (static_cast<void *>(p)) U; }
    template <typename U, typename... Args> void construct(U *p, Args &&...args)
    {
        ::new (static_cast<void *>(p)) U(std::forward<Args>(args)...);
    }
};

template <typename T> class FlatTable
{
public:
    template <typename V> class Row
    {
    public:
        Row(V *p, size_t n) : p_(p), n_(n) {}
        V &operator[](size_t i) const { return p_[i]; }
        size_t size() const { return n_; }
        V *begin() const { return p_; }
        V *end() const { return p_ + n_; }

    private:
        V *p_;
        size_t n_;
    };

    template <typename V, typename Table> class RowIterator
    {
    public:
        RowIterator(Table *t, size_t r) : t_(t), r_(r) {}
        Row<V> operator*() const { return (*t_)[r_]; }
        RowIterator &operator++()
        {
            ++r_;
            return *this;
        }
        bool operator!=(const RowIterator &o) const { return r_ != o.r_; }

    private:
        Table *t_;
        size_t r_;
    };

    FlatTable() = default;
    FlatTable(std::initializer_list<std::initializer_list<T>> rows)
    {
        for (const auto &r : rows)
            appendRow(r.begin(), r.size());
    }

    // `rows` copies of `row`.
    void assign(size_t rows, const std::vector<T> &row)
    {
        clear();
        values_.reserve(rows * row.size());
        cols_ = row.size();
        for (size_t r = 0; r < rows; ++r)
            appendRow(row.data(), row.size());
    }
    // rows x cols values, row after row.
    void assign(size_t rows, size_t cols, const T *values)
    {
        rows_ = rows;
        cols_ = cols;
        values_.assign(values, values + rows * cols);
    }
    // Equal-length rows; a row of another length than the first throws
    // std::length_error and leaves the table as it was.
    void assignRows(const std::vector<std::vector<T>> &rows)
    {
        FlatTable t;
        for (const auto &r : rows)
            t.appendRow(r.data(), r.size());
        *this = std::move(t);
    }
    void push_back(std::initializer_list<T> row) { appendRow(row.begin(), row.size()); }
    void push_back(const std::vector<T> &row) { appendRow(row.data(), row.size()); }

    // rows x cols values whose contents are left unwritten, for the caller to fill.
    void resizeForOverwrite(size_t rows, size_t cols)
    {
        values_.clear();
        values_.resize(rows * cols);
        rows_ = rows;
        cols_ = cols;
    }
    void clear()
    {
        values_.clear();
        rows_ = cols_ = 0;
    }

    size_t size() const { return rows_; }
    bool empty() const { return rows_ == 0; }
    size_t columns() const { return cols_; }
    T *data() { return values_.data(); }
    const T *data() const { return values_.data(); }

    Row<T> operator[](size_t r) { return {values_.data() + r * cols_, cols_}; }
    Row<const T> operator[](size_t r) const { return {values_.data() + r * cols_, cols_}; }

    RowIterator<T, FlatTable> begin() { return {this, 0}; }
    RowIterator<T, FlatTable> end() { return {this, rows_}; }
    RowIterator<const T, const FlatTable> begin() const { return {this, 0}; }
    RowIterator<const T, const FlatTable> end() const { return {this, rows_}; }

private:
    void appendRow(const T *row, size_t n)
    {
        if (rows_ == 0)
            cols_ = n;
        else if (n != cols_)
            throw std::length_error("a table row of another length than the first");
        values_.insert(values_.end(), row, row + n);
        ++rows_;
    }

    std::vector<T, DefaultInitAllocator<T>> values_;
    size_t rows_ = 0;
    size_t cols_ = 0;
};

} // namespace pc
