#include "host/excel/CallLog.h"

#include <cstdint>

namespace host {

const wchar_t* KindName(Kind kind) {
    switch (kind) {
    case Kind::Get: return L"get";
    case Kind::Put: return L"put";
    case Kind::Method: return L"call";
    }
    return L"";
}

size_t CallLog::Start(CallRecord record) {
    ++m_counts[{record.Name(), record.kind}];
    ++m_total;
    if (m_countingOnly) return SIZE_MAX;
    m_calls.push_back(std::move(record));
    if (m_observer) m_observer(m_calls.back());
    return m_calls.size() - 1;
}

void CallLog::Finish(size_t position, HRESULT result) {
    if (position < m_calls.size()) m_calls[position].result = result;
}

void CallLog::Clear() {
    m_calls.clear();
    m_counts.clear();
    m_total = 0;
}

size_t CallLog::Count(const std::wstring& name) const {
    return Count(name, Kind::Get) + Count(name, Kind::Put) + Count(name, Kind::Method);
}

size_t CallLog::Count(const std::wstring& name, Kind kind) const {
    auto it = m_counts.find({name, kind});
    return it == m_counts.end() ? 0 : it->second;
}

std::vector<std::wstring> CallLog::Sequence() const {
    std::vector<std::wstring> sequence;
    sequence.reserve(m_calls.size());
    for (const auto& call : m_calls) sequence.push_back(call.Name() + L" " + KindName(call.kind));
    return sequence;
}

}  // namespace host
