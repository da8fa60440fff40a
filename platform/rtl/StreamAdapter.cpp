#include "platform/rtl/StreamAdapter.h"

#include "platform/rtl/Stream.h"

#include <algorithm>
#include <vector>

TStreamAdapter::TStreamAdapter(TStream* Stream, TStreamOwnership Ownership)
    : FStream(Stream), FOwnership(Ownership) {}

TStreamAdapter::~TStreamAdapter() {
    if (FOwnership == soOwned) delete FStream;
}

ULONG TStreamAdapter::AddRef() {
    return ++FRefCount;
}

ULONG TStreamAdapter::Release() {
    const ULONG left = --FRefCount;
    if (left == 0) delete this;
    return left;
}

HRESULT TStreamAdapter::Read(void* pv, ULONG cb, ULONG* pcbRead) {
    if (pcbRead != nullptr) *pcbRead = 0;
    if (pv == nullptr) return STG_E_INVALIDPOINTER;
    try {
        const auto n = static_cast<ULONG>(FStream->Read(pv, cb));
        if (pcbRead != nullptr) *pcbRead = n;
        return n < cb ? S_FALSE : S_OK;
    } catch (...) {
        return STG_E_READFAULT;
    }
}

HRESULT TStreamAdapter::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    if (pcbWritten != nullptr) *pcbWritten = 0;
    if (pv == nullptr) return STG_E_INVALIDPOINTER;
    try {
        const auto n = static_cast<ULONG>(FStream->Write(pv, cb));
        if (pcbWritten != nullptr) *pcbWritten = n;
        return n < cb ? STG_E_MEDIUMFULL : S_OK;
    } catch (...) {
        return STG_E_CANTSAVE;
    }
}

HRESULT TStreamAdapter::Seek(LONGLONG dlibMove, DWORD dwOrigin, ULONGLONG* plibNewPosition) {
    if (dwOrigin > STREAM_SEEK_END) return STG_E_INVALIDFUNCTION;
    try {
        const std::int64_t pos = FStream->Seek(dlibMove, static_cast<TSeekOrigin>(dwOrigin));
        if (plibNewPosition != nullptr) *plibNewPosition = static_cast<ULONGLONG>(pos);
        return S_OK;
    } catch (...) {
        return STG_E_INVALIDFUNCTION;
    }
}

HRESULT TStreamAdapter::SetSize(ULONGLONG libNewSize) {
    try {
        const auto size = static_cast<std::int64_t>(libNewSize);
        FStream->SetSize(size);
        return FStream->Size() == size ? S_OK : E_FAIL;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT TStreamAdapter::CopyTo(IStream* pstm, ULONGLONG cb, ULONGLONG* pcbRead, ULONGLONG* pcbWritten) {
    if (pcbRead != nullptr) *pcbRead = 0;
    if (pcbWritten != nullptr) *pcbWritten = 0;
    if (pstm == nullptr) return STG_E_INVALIDPOINTER;
    std::vector<char> buffer(64 * 1024);
    ULONGLONG totalRead = 0, totalWritten = 0;
    HRESULT result = S_OK;
    try {
        while (cb > 0) {
            const auto want = static_cast<std::int64_t>(std::min<ULONGLONG>(cb, buffer.size()));
            const std::int64_t got = FStream->Read(buffer.data(), want);
            if (got <= 0) break;
            totalRead += static_cast<ULONGLONG>(got);
            ULONG written = 0;
            result = pstm->Write(buffer.data(), static_cast<ULONG>(got), &written);
            totalWritten += written;
            if (FAILED(result)) break;
            cb -= static_cast<ULONGLONG>(got);
        }
    } catch (...) {
        result = STG_E_READFAULT;
    }
    if (pcbRead != nullptr) *pcbRead = totalRead;
    if (pcbWritten != nullptr) *pcbWritten = totalWritten;
    return result;
}

HRESULT TStreamAdapter::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
    if (pstatstg == nullptr) return STG_E_INVALIDPOINTER;
    try {
        *pstatstg = STATSTG{};
        pstatstg->type = STGTY_STREAM;
        pstatstg->cbSize = static_cast<ULONGLONG>(FStream->Size());
        return S_OK;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
