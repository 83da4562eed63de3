#include "tools/common/KnownContents.h"

#include "tools/common/RecordingRun.h"

namespace blocks {

namespace {

thread_local KnownContents* t_known = nullptr;

}  // namespace

KnownContents::KnownContents() : m_outer(t_known), m_lent(CurrentRecord() != nullptr) {
    if (m_lent) t_known = this;
}

KnownContents::~KnownContents() {
    if (m_lent) t_known = m_outer;
}

void KnownContents::Add(const Block& block, const BlockRect& onSheet) {
    if (m_lent) m_known.push_back(std::make_unique<Known>(Known{PreviousContents(block), onSheet}));
}

std::vector<KnownContents::Part> KnownContents::Covering(const BlockRect& area) {
    std::vector<Part> parts;
    if (!CurrentRecord()) return parts;
    // The blocks of one read do not overlap: their parts cover the area when their cells add up to it.
    long long covered = 0;
    for (KnownContents* known = t_known; known && covered < area.Cells(); known = known->m_outer)
        for (const std::unique_ptr<Known>& each : known->m_known)
            if (auto part = Overlap(area, each->onSheet)) {
                parts.push_back({each.get(), *part});
                covered += part->Cells();
            }
    if (covered != area.Cells()) return {};
    for (const Part& part : parts) part.known->previous.ReadAllItNeeds();
    return parts;
}

}  // namespace blocks
