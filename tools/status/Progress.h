// What a tool's engine tells about its run and asks between blocks of rows: how far it is, and whether the
// user wants it to stop. Engines call it once per row or per block, never per cell, and show no UI.
#pragma once

namespace status {

class Progress {
public:
    // The run has this many rows before it, huge areas already clipped to the used range.
    virtual void Begin(long totalRows) = 0;
    // rowsDone of them are done. False asks the engine to stop there: what is done stays done.
    virtual bool Continue(long rowsDone) = 0;
    // rowsDone of them are done, within work that must not stop halfway (cells already emptied and not yet
    // written again, say); a request to stop waits for the next Continue.
    virtual void Advance(long rowsDone) = 0;

protected:
    ~Progress() = default;
};

// Reports nothing and never stops: for runs nobody watches.
inline Progress& NoProgress() {
    class Silent final : public Progress {
    public:
        void Begin(long) override {}
        bool Continue(long) override { return true; }
        void Advance(long) override {}
    };
    static Silent silent;
    return silent;
}

}  // namespace status
