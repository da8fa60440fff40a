// TSmtpCli: the SMTP client with MIME messages: the message text in a chosen transfer encoding and
// files attached as Base64 parts of a multipart message.
#pragma once

#include "net/SmtpProt.h"

#include <memory>
#include <string>

class TStream;

enum TSmtpShareMode {
    smtpShareCompat,
    smtpShareExclusive,
    smtpShareDenyWrite,
    smtpShareDenyRead,
    smtpShareDenyNone
};
enum TSmtpBeforeOpenFileAction { smtpBeforeOpenFileNone, smtpBeforeOpenFileNext, smtpBeforeOpenFileAbort };
enum TSmtpAfterOpenFileAction {
    smtpAfterOpenFileNone,
    smtpAfterOpenFileNext,
    smtpAfterOpenFileRetry,
    smtpAfterOpenFileAbort
};

// Sender, file number (from 0), file name, what to do.
using TSmtpBeforeFileOpenEvent = TEvent<TObject*, int, const std::string&, TSmtpBeforeOpenFileAction&>;
// As above with the exception that opening raised, or null after success.
using TSmtpAfterFileOpenEvent =
    TEvent<TObject*, int, const std::string&, Exception*, TSmtpAfterOpenFileAction&>;

class TSmtpCli : public TCustomSmtpClient {
public:
    explicit TSmtpCli(TComponent* AOwner);
    ~TSmtpCli() override;

    TStringList& EmailFiles() { return *FEmailFiles; }
    // Blank entries are skipped and the others trimmed; a missing file raises SmtpException.
    void SetEmailFiles(TStrings* Value);
    TSmtpShareMode ShareMode() const;
    void SetShareMode(TSmtpShareMode Value);

    // File number (from 0), file name and content type, both of which the owner may change.
    TEvent<TObject*, int, std::string&, std::string&> OnAttachContentType;
    TEvent<TObject*, int, const std::string&, TStrings*> OnAttachHeader;
    TSmtpBeforeFileOpenEvent OnBeforeFileOpen;
    TSmtpAfterFileOpenEvent OnAfterFileOpen;

protected:
    void PrepareEmail() override;
    void HeaderLineHook(std::string& Line) override;
    void GetData(int LineNum, std::string& Line, bool& More) override;

private:
    void OpenNextAttachment();
    void AttachmentDone();

    std::unique_ptr<TStringList> FEmailFiles, FPreLines;
    std::string FMailMsgText;
    int FMailMsgTextPos = 0;
    TSmtpDefaultEncoding FBodyEncoding = smtpEnc7bit;
    std::string FBoundary;
    int FFileIndex = 0;
    std::unique_ptr<TStream> FAttachStream;
    bool FTextPhase = true;
    int FUserLine = 0;
    WORD FShareMode = 32; // the file share mode: deny write
};
