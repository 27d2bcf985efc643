// The ring tone commands of the main window: send a MIDI file as an own ring tone, fetch
// the ring tone into a MIDI file.
#pragma once

#include <string>

#include "objects/windows/tone_preview.h"
#include "objects/windows/transfer_session.h"

namespace telvane::objects {

inline constexpr int kTonePreviewTemplate = TonePreview::kTemplate;
inline constexpr int kToneNumbers = TonePreview::kNumbers;  // ring tone numbers beside the preview
inline constexpr int kStrToneSendError = 35;                // "Error sending MIDI file"
// The tooltip of the ring tone number beside the preview (res/<lang>/file_dialog.rc).
inline constexpr int kStrToneNumberTip = 1701;
inline constexpr int kStrNoMidiPlayer = 722;  // no MIDI player installed: what to install

// The open dialog (MID, with the tone preview); the chosen number sets `toneIndex`, kept
// for the run. True when a file was chosen (and the send attempted), false on Cancel.
bool SendTone(TransferSession& session, int& toneIndex);

// Sends a MIDI file as ring tone `index` with the progress box: erase, then the whole
// file in 100-byte blocks. True when every block was accepted.
bool SendToneFile(link::Exchange& exchange, ui::Ui& ui, const std::string& path, int index);

// The main window's highest ring tone number after a tone was sent: 20 and 41 grow by
// one (an own tone was added to the list); any other maximum stays.
int RaisedToneMaximum(int maximum);

// The save dialog, then the ring tone read into the chosen file.
void DownloadRingTone(TransferSession& session);

}  // namespace telvane::objects
