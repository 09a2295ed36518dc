// The edit window's sorts and duplicate removal written plainly, as the tests' yardstick: the collation is
// asked at every comparison, the quicksort recurses, lines are erased one by one. The middle line is the
// pivot and is followed through exchanges; the left part is sorted by recursion, the right part by the loop.
// Pumps are counted as the edit window paces them, and the abort flag is set at a chosen pump.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "edit/EditOperations.h"
#include "platform/Collation.h"
#include "text/PathPieces.h"

class EditReferenceSort {
public:
    // abortAtPump counts the pumps of the operation itself, from 1; 0 never aborts.
    EditReferenceSort(Collation& collation, std::vector<Text> lines, int abortAtPump = 0)
        : lines(std::move(lines)), collation_(collation), abortAtPump_(abortAtPump) {}

    std::vector<Text> lines;
    int pumps = 0;

    void Sort(int tag) {
        if (lines.size() < 2) return;
        const int last = static_cast<int>(lines.size()) - 1;
        switch (tag) {
            case kTagNameAsc:
                QuickSort(0, last,
                          [this](int a, int b) { return Paced(abort_ ? 0 : Compare(lines[a], lines[b])); });
                break;
            case kTagNameDesc:
                QuickSort(0, last,
                          [this](int a, int b) { return Paced(abort_ ? 0 : -Compare(lines[a], lines[b])); });
                break;
            case kTagExtAsc:
                QuickSort(0, last, [this](int a, int b) { return CompareExt(a, b); });
                break;
            default:
                QuickSort(0, last, [this](int a, int b) { return -CompareExt(a, b); });
                break;
        }
    }

    void Distinct() {
        if (lines.size() < 2) return;
        Sort(kTagNameAsc);
        for (int i = static_cast<int>(lines.size()) - 2; i >= 0; --i) {
            if (lines[i + 1] == lines[i]) lines.erase(lines.begin() + i + 1);
            if (abort_) return;
            Pace();
        }
    }

private:
    int Compare(const Text& a, const Text& b) {
        const int c = collation_.Compare(a, b);
        return (c > 0) - (c < 0);
    }

    int CompareExt(int a, int b) {
        if (abort_) return 0;
        Pace();
        const int c = Compare(PathExtension(lines[a]), PathExtension(lines[b]));
        return c != 0 ? c : Compare(lines[a], lines[b]);
    }

    int Paced(int result) {
        Pace();
        return result;
    }

    void Pace() {
        if (++tick_ > 1024) {
            tick_ = 0;
            if (++pumps == abortAtPump_) abort_ = true;
        }
    }

    void QuickSort(int l, int r, const std::function<int(int, int)>& compare) {
        int i;
        do {
            i = l;
            int j = r;
            int p = (l + r) / 2;
            do {
                while (compare(i, p) < 0)
                    ++i;
                while (compare(j, p) > 0)
                    --j;
                if (i <= j) {
                    std::swap(lines[i], lines[j]);
                    if (p == i) {
                        p = j;
                    } else if (p == j) {
                        p = i;
                    }
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (l < j) QuickSort(l, j, compare);
            l = i;
        } while (i < r);
    }

    Collation& collation_;
    int abortAtPump_;
    bool abort_ = false;
    int tick_ = 0;
};
