#pragma once
#include "ReplyView.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One item of a status string: its key letters, how many value characters
// follow, how the value is applied to the panel's members (each apply
// checks its range and leaves the member alone when the value is out of
// it) and the request that the item asks to be queued next. An item whose
// length depends on its first value character says so in widthOf.
template <class M> struct StatusItem {
    std::string_view key;
    size_t width = 1;
    std::function<void(M&, ReplyView value)> apply;
    const char* followUp = nullptr;
    size_t (*widthOf)(ReplyView value) = nullptr;
};

template <class M> using StatusWalk = std::vector<StatusItem<M>>;

// Walks a status string of key/value items from left to right. At each
// place the longest key that matches takes its value characters; a letter
// no key knows skips one value character. The walk ends at the end of the
// text, or at an item whose value is cut off. Follow-up requests are
// appended to followUps in the order the items stood.
template <class M>
void WalkStatus(const StatusWalk<M>& walk, ReplyView text, M& m, std::vector<std::string>& followUps)
{
    size_t i = 0;
    while (i < text.size) {
        const ReplyView here = text.From(i);
        const StatusItem<M>* item = nullptr;
        for (const StatusItem<M>& candidate : walk)
            if (here.StartsWith(candidate.key) && (!item || candidate.key.size() > item->key.size()))
                item = &candidate;
        if (!item) {
            i += 2;
            continue;
        }
        const ReplyView value = here.From(item->key.size());
        const size_t width = item->widthOf ? item->widthOf(value) : item->width;
        if (!value.Has(width))
            return;
        if (item->apply)
            item->apply(m, ReplyView{value.data, width});
        if (item->followUp)
            followUps.emplace_back(item->followUp);
        i += item->key.size() + width;
    }
}

// Range-checked applies for the usual value encodings.
template <class M> auto DigitField(int M::*field, int lo, int hi)
{
    return [=](M& m, ReplyView v) {
        const int d = v.DigitAt(0);
        if (d >= lo && d <= hi)
            m.*field = d;
    };
}

// The low four bits of the value character.
template <class M> auto LowBitsField(int M::*field, int lo, int hi)
{
    return [=](M& m, ReplyView v) {
        const int d = v[0] & 0x0F;
        if (v.size > 0 && d >= lo && d <= hi)
            m.*field = d;
    };
}

template <class M> auto Offset16Field(int M::*field, int lo, int hi)
{
    return [=](M& m, ReplyView v) {
        const int d = v[0] - 16;
        if (d >= lo && d <= hi)
            m.*field = d;
    };
}

// A character chosen from a list; any other character gives otherwise.
template <class M> auto CharField(int M::*field, std::initializer_list<std::pair<char, int>> map, int otherwise)
{
    std::vector<std::pair<char, int>> table(map);
    return [=](M& m, ReplyView v) {
        int value = otherwise;
        for (auto [c, n] : table)
            if (v[0] == static_cast<uint8_t>(c))
                value = n;
        m.*field = value;
    };
}
