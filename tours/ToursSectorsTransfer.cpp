// Dome.dat on closing, and the configuration download and upload through
// Cam%03d.dat.
#include "ToursSectorsDialog.h"

#include "CommandLink.h"
#include "DataFolder.h"
#include "DomeFile.h"
#include "PanelHost.h"
#include "Prompter.h"
#include "ReplyRouting.h"
#include "ToursSectorsCodec.h"

#include <QProgressBar>
#include <algorithm>

namespace {
constexpr const char* kUnableToOpen = "Unable to open file";
} // namespace

std::string ToursSectorsDialog::DataFile(const std::string& name)
{
    return host().dataFolder().FilePath(name);
}

void ToursSectorsDialog::AskToSave()
{
    if (!changed_)
        return;
    changed_ = false;
    if (host().prompter().ShowMessage("Save configuration changes?", ApplicationTitle(), MessageButtons::YesNo,
                                      MessageIcon::Stop, MessageAnswer::Yes) != MessageAnswer::Yes)
        return;
    if (!SaveDomeFile(DataFile("Dome.dat"), dome_))
        host().prompter().ShowMessage(kUnableToOpen, ApplicationTitle(), MessageButtons::Ok, MessageIcon::Warning);
}

void ToursSectorsDialog::OnDownload()
{
    if (filling() || downloading())
        return;
    if (host().prompter().ShowMessage("Continue to Download? The old file will be overwritten.", ApplicationTitle(),
                                      MessageButtons::YesNo, MessageIcon::Stop,
                                      MessageAnswer::Yes) != MessageAnswer::Yes)
        return;
    if (!writer_.Create(DataFile(CamFileName(host().link().cameraAddress())))) {
        host().prompter().ShowMessage(kUnableToOpen, ApplicationTitle(), MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    host().replyFlags().downloadActive = true;
    const std::string first = download_.Start();
    ShowProgress(0, ConfigDownload::kQueries);
    Show();
    Enqueue(first);
}

// Each reply while the download runs is one line of the file; then the
// next query goes, until the last preset position has answered.
void ToursSectorsDialog::OnDownloadReply(const uint8_t* frame, size_t length)
{
    if (!download_.active())
        return;
    writer_.WriteLine(DownloadLine(frame, length));
    const std::string next = download_.Next();
    ShowProgress(download_.answers(), ConfigDownload::kQueries);
    if (next.empty()) {
        EndDownload(true);
        return;
    }
    Enqueue(next);
}

// A complete download replaces the file; one ended early (the dialog
// closed) leaves the old file as it was.
void ToursSectorsDialog::EndDownload(bool complete)
{
    host().replyFlags().downloadActive = false;
    download_.Stop();
    if (writer_.isOpen()) {
        if (!complete)
            writer_.Abandon();
        else if (!writer_.Commit())
            host().prompter().ShowMessage(kUnableToOpen, ApplicationTitle(), MessageButtons::Ok, MessageIcon::Warning);
    }
    Show();
}

void ToursSectorsDialog::OnUpload()
{
    if (filling() || uploading())
        return;
    if (!reader_.Open(DataFile(CamFileName(host().link().cameraAddress())))) {
        host().prompter().ShowMessage(kUnableToOpen, ApplicationTitle(), MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    ShowProgress(0, reader_.size());
    timers().Start(ToursTimer::Upload, kUploadMs);
    Show();
}

// One line each tick, straight to the sender, not through the queue. A
// line longer than any command is not sent.
void ToursSectorsDialog::UploadStep()
{
    std::string line;
    const CamFileReader::Line read = reader_.Next(line);
    if (read == CamFileReader::Line::End) {
        ShowProgress(reader_.size(), reader_.size());
        EndUpload();
        return;
    }
    ShowProgress(reader_.position(), reader_.size());
    if (read == CamFileReader::Line::Text)
        host().link().SendCommand(line);
}

void ToursSectorsDialog::EndUpload()
{
    timers().Stop(ToursTimer::Upload);
    const bool was = reader_.isOpen();
    reader_.Close();
    if (was)
        Show();
}

void ToursSectorsDialog::ShowProgress(long done, long total)
{
    // The bar counts in per mille, so a file of any size fits its range.
    const long value = total > 0 ? done * 1000 / total : 0;
    progress_->setRange(0, 1000);
    progress_->setValue(static_cast<int>(std::clamp(value, 0L, 1000L)));
}
