// The COM-style stream interface, and TStreamAdapter, which presents a TStream through it for code that
// reads and writes COM streams (picture encoders and decoders).
#pragma once

#include "platform/rtl/WinTypes.h"

#include <atomic>

class TStream;

constexpr DWORD STREAM_SEEK_SET = 0;
constexpr DWORD STREAM_SEEK_CUR = 1;
constexpr DWORD STREAM_SEEK_END = 2;
constexpr DWORD STGTY_STREAM = 2;
constexpr DWORD STATFLAG_DEFAULT = 0;
constexpr DWORD STATFLAG_NONAME = 1;
constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFFu);
constexpr HRESULT STG_E_INVALIDFUNCTION = HRESULT(0x80030001u);
constexpr HRESULT STG_E_INVALIDPOINTER = HRESULT(0x80030009u);
constexpr HRESULT STG_E_WRITEFAULT = HRESULT(0x8003001Du);
constexpr HRESULT STG_E_READFAULT = HRESULT(0x8003001Eu);
constexpr HRESULT STG_E_MEDIUMFULL = HRESULT(0x80030070u);
constexpr HRESULT STG_E_REVERTED = HRESULT(0x80030102u);
constexpr HRESULT STG_E_CANTSAVE = HRESULT(0x80030103u);

// What Stat reports about a stream; times, modes and class are left zero by TStreamAdapter.
struct STATSTG {
    WCHAR* pwcsName = nullptr;
    DWORD type = 0;
    ULONGLONG cbSize = 0;
    ULONGLONG mtime = 0;
    ULONGLONG ctime = 0;
    ULONGLONG atime = 0;
    DWORD grfMode = 0;
    DWORD grfLocksSupported = 0;
    BYTE clsid[16] = {};
    DWORD grfStateBits = 0;
    DWORD reserved = 0;
};

// Reference counted: Release deletes the object when the last reference goes.
class IStream {
public:
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT Read(void* pv, ULONG cb, ULONG* pcbRead) = 0;
    virtual HRESULT Write(const void* pv, ULONG cb, ULONG* pcbWritten) = 0;
    virtual HRESULT Seek(LONGLONG dlibMove, DWORD dwOrigin, ULONGLONG* plibNewPosition) = 0;
    virtual HRESULT SetSize(ULONGLONG libNewSize) = 0;
    virtual HRESULT CopyTo(IStream* pstm, ULONGLONG cb, ULONGLONG* pcbRead, ULONGLONG* pcbWritten) = 0;
    virtual HRESULT Commit(DWORD grfCommitFlags) = 0;
    virtual HRESULT Revert() = 0;
    virtual HRESULT LockRegion(ULONGLONG libOffset, ULONGLONG cb, DWORD dwLockType) = 0;
    virtual HRESULT UnlockRegion(ULONGLONG libOffset, ULONGLONG cb, DWORD dwLockType) = 0;
    virtual HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) = 0;
    virtual HRESULT Clone(IStream** ppstm) = 0;

protected:
    virtual ~IStream() = default;
};

enum TStreamOwnership { soReference, soOwned };

// Exceptions of the stream never leave the adapter: they become the failure codes of the interface.
// A new adapter holds one reference, its creator's.
class TStreamAdapter : public IStream {
public:
    explicit TStreamAdapter(TStream* Stream, TStreamOwnership Ownership = soReference);

    ULONG AddRef() override;
    ULONG Release() override;
    // S_FALSE when fewer than cb bytes were left.
    HRESULT Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    HRESULT Seek(LONGLONG dlibMove, DWORD dwOrigin, ULONGLONG* plibNewPosition) override;
    HRESULT SetSize(ULONGLONG libNewSize) override;
    HRESULT CopyTo(IStream* pstm, ULONGLONG cb, ULONGLONG* pcbRead, ULONGLONG* pcbWritten) override;
    HRESULT Commit(DWORD grfCommitFlags) override { return S_OK; }
    HRESULT Revert() override { return STG_E_REVERTED; }
    HRESULT LockRegion(ULONGLONG, ULONGLONG, DWORD) override { return STG_E_INVALIDFUNCTION; }
    HRESULT UnlockRegion(ULONGLONG, ULONGLONG, DWORD) override { return STG_E_INVALIDFUNCTION; }
    HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
    HRESULT Clone(IStream** ppstm) override { return E_NOTIMPL; }

    TStream* Stream() const { return FStream; }
    TStreamOwnership StreamOwnership() const { return FOwnership; }

protected:
    ~TStreamAdapter() override;

private:
    TStream* FStream;
    TStreamOwnership FOwnership;
    std::atomic<ULONG> FRefCount{1};
};
