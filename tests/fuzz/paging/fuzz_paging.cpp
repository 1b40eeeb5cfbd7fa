// "&Start/Weiter" over any folder size and any sequence of clicks: the
// batch shown always exists, shows one to 25 buttons in a grid of five by
// five, and the batches bounce between the first and the last.

#include "FuzzSupport.h"

#include "library/ButtonPaging.h"

#include <climits>

namespace {

constexpr int BatchSize = 25;

// The batch after `steps` clicks since the folder was loaded: 0, 1, … the
// last, back down to 0 and up again, no end batch shown twice in a row.
int expectedBatch(int buttons, int steps)
{
    const int batches = (buttons + BatchSize - 1) / BatchSize;
    if (batches == 1)
        return 0;
    const int cycle = 2 * (batches - 1);
    const int position = steps % cycle;
    return position < batches ? position : cycle - position;
}

void checkBatch(const ButtonPaging &paging, int buttons)
{
    const int batch = paging.batch();
    const int first = ButtonPaging::firstMember(batch);
    const int last = ButtonPaging::lastMember(batch, buttons);
    FUZZ_CHECK(batch >= 0);
    FUZZ_CHECK(first == batch * BatchSize + 1 && first <= buttons);
    FUZZ_CHECK(last == std::min(first + BatchSize - 1, buttons));
    for (int member = first; member <= last; ++member) {
        const int column = ButtonPaging::column(member);
        const int row = ButtonPaging::row(member);
        FUZZ_CHECK(column >= 0 && column < 5);
        FUZZ_CHECK(row >= 0 && row < BatchSize / 5);
        FUZZ_CHECK(row * 5 + column == member - first);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    ButtonPaging paging;
    int buttons = 0;
    int steps = 0;
    while (data.remaining_bytes() > 0) {
        if (buttons == 0 || data.ConsumeIntegralInRange<int>(0, 15) == 0) {
            // A folder is loaded: mostly up to a few hundred buttons, now
            // and then as many as a 16-bit counter holds.
            buttons = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(1, 300)
                                         : data.ConsumeIntegralInRange<int>(1, SHRT_MAX);
            paging.reset();
            FUZZ_CHECK(paging.batch() == ButtonPaging::NoBatch && paging.forward());
            steps = 0;
            continue;
        }
        const int before = paging.batch();
        const bool stepped = paging.step(buttons);
        if (!stepped) {
            // Only a single batch, shown already, leaves nothing to step to.
            FUZZ_CHECK(buttons <= BatchSize && before == 0 && paging.batch() == 0);
            continue;
        }
        FUZZ_CHECK(paging.batch() == expectedBatch(buttons, steps));
        ++steps;
        checkBatch(paging, buttons);
    }
    return 0;
}
