#pragma once

#include <algorithm>

// Positions of the window-geometry fields in a module's layout string: where
// the window's x and y are stored, and its client width and height when the
// string stores the size too.
struct WindowConfigIndices
{
    int xIndex = 0;
    int yIndex = 0;
    int widthIndex = 0;
    int heightIndex = 0;
    bool hasSize = false;

    // The last of the positions: a string with fewer fields than this plus one
    // lacks some of them.
    int highestIndex() const
    {
        return hasSize ? std::max({xIndex, yIndex, widthIndex, heightIndex}) : std::max(xIndex, yIndex);
    }
};
