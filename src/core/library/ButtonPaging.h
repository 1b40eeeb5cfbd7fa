#pragma once

// Which batch of the button field "&Start/Weiter" shows next. The batches
// run forward to the last one that holds a button and back again, bouncing
// at both ends without showing an end batch twice (0, 1, 2, 1, 0, 1, …).
class ButtonPaging
{
public:
    static constexpr int BatchSize = 25;
    static constexpr int Columns = 5;
    static constexpr int NoBatch = -1;

    int batch() const { return m_batch; }
    bool forward() const { return m_forward; }

    // Back to "nothing shown yet": a new folder starts from batch 0.
    void reset();

    // One click with `buttonCount` buttons loaded. False when there is
    // nothing to step to: the only batch is shown already.
    bool step(int buttonCount);

    // The members 1 … n of batch `batch`, clipped to the buttons that exist.
    static int firstMember(int batch) { return BatchSize * batch + 1; }
    static int lastMember(int batch, int buttonCount);

    // Where member `member` stands within its batch, counted from 0.
    static int column(int member) { return (member - 1) % BatchSize % Columns; }
    static int row(int member) { return (member - 1) % BatchSize / Columns; }

private:
    int m_batch = NoBatch;
    bool m_forward = true;
};
