#pragma once

// The six builder buttons of the frame "Steuerung". Each value is the
// button's number in the window's control array, which its objectName
// carries ("cmdQDButton_2"); the numbers in between were never used.
enum class Builder {
    ClearMenu = 0,
    NextBatch = 2,
    BlockLine = 3,
    PageHeader = 4,
    FirstPageItem = 6,
    ShowMenu = 9,
};
