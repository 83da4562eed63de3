// Every Invoke the stand-in's objects receive, in order, so that tests can check which members a
// client called, how and how often.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace host {

enum class Kind { Get, Put, Method };

struct CallRecord {
    std::wstring object;  // "Range", "Application", ...
    std::wstring member;  // "Value"; "#0x102" for a DISPID the object does not have
    Kind kind = Kind::Get;
    DISPID dispid = 0;
    HRESULT result = S_OK;

    // "Range.Value"
    std::wstring Name() const { return object + L"." + member; }
};

class CallLog {
public:
    // Gives the position of the record, for Finish.
    size_t Start(CallRecord record);
    void Finish(size_t position, HRESULT result);
    void Clear();
    // Called with each call as it starts, before the object answers it: a test's way to act mid-run
    // (press a key, say). An empty function stops it.
    void SetObserver(std::function<void(const CallRecord&)> observer) { m_observer = std::move(observer); }

    // Counting only keeps Total and Count and records no calls (Calls and Sequence stay empty), so that a
    // run of millions of calls costs no memory; a benchmark switches it on before it starts.
    void SetCountingOnly(bool countingOnly) { m_countingOnly = countingOnly; }
    bool CountingOnly() const { return m_countingOnly; }

    size_t Total() const { return m_total; }
    // Calls of "Object.Member" of any kind, or of one kind.
    size_t Count(const std::wstring& name) const;
    size_t Count(const std::wstring& name, Kind kind) const;
    const std::vector<CallRecord>& Calls() const { return m_calls; }
    // "Range.Value put", "Application.Selection get", "Range.Select call", in call order.
    std::vector<std::wstring> Sequence() const;

private:
    std::vector<CallRecord> m_calls;
    std::map<std::pair<std::wstring, Kind>, size_t> m_counts;
    size_t m_total = 0;
    bool m_countingOnly = false;
    std::function<void(const CallRecord&)> m_observer;
};

const wchar_t* KindName(Kind kind);

}  // namespace host
