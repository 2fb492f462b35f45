#pragma once

namespace vq {
class Phone;

// Start-up: lays the camera's preview window into the preview area pnlPhoto. Without a capture
// device, or when none can be made, the phone has no camera: the up key then only shows the empty
// preview area.
void CreateCaptureWindow(Phone& phone);

// The camera on the new-mail screen, behind the up key: the first press shows the live picture and
// renames the key "撮影", the second stores the picture, shows it in the photo area (pnlPhoto2,
// whose visibility means "a photo is attached") and sets CurrentPhoto, which sending attaches.
void StartPreview(Phone& phone);
void TakeSnapshot(Phone& phone);

} // namespace vq
