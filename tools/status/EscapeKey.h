// Esc as the user presses it while a run holds Excel's thread. The run pumps no messages (that would let
// Excel and other programs' sent messages in mid-run) and has no thread of its own, so the key is read from
// its asynchronous state: nothing is taken from the queue, and the user's other keys wait there for Excel.
// Only a press while a window of Excel's is in front counts.
#pragma once

namespace status {

class EscapeKey {
public:
    // Forgets presses made before the run began.
    EscapeKey() noexcept;

    // True when Esc went down since the last look, or is down now, while Excel is in front.
    bool Pressed() noexcept;

    // Takes the Esc that stopped a run out of the queue, so that it cancels nothing else once the run
    // returns (Excel's copy marquee, a wizard); the first other key stops it and stays for its window.
    static void Consume() noexcept;
};

}  // namespace status
