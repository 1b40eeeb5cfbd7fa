#include "library/ButtonPaging.h"

#include <QtGlobal>

#include <algorithm>

void ButtonPaging::reset()
{
    m_batch = NoBatch;
    m_forward = true;
}

bool ButtonPaging::step(int buttonCount)
{
    if (m_batch == 0 && buttonCount <= BatchSize)
        return false;
    // Counted in 64 bits so that no folder size can overflow the test.
    if (m_forward && qint64(buttonCount) > qint64(BatchSize) * (m_batch + 1)) {
        ++m_batch;
    } else {
        m_forward = false;
        --m_batch;
    }
    if (m_batch < 0) {
        m_batch = 1;
        m_forward = true;
    }
    return true;
}

int ButtonPaging::lastMember(int batch, int buttonCount)
{
    return std::min(BatchSize * batch + BatchSize, buttonCount);
}
