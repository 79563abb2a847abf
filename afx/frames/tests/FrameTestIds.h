// Ids of the frame tests' resources and commands.
#ifndef VELMORA_FRAMETESTIDS_H
#define VELMORA_FRAMETESTIDS_H

#define IDR_TEST_FRAME 200

// Commands handled by the view, the frame and the application (see FrameTestSupport.h)
#define ID_CMD_VIEW      0x8201
#define ID_CMD_FRAME     0x8202
#define ID_CMD_APP       0x8203
#define ID_CMD_SHARED    0x8204 // view, frame and application
#define ID_CMD_FRAME_APP 0x8205 // frame and application
#define ID_CMD_ACCEL     0x8206 // the frame's, reached through an accelerator
#define ID_CMD_DISABLED  0x8207 // the frame's update handler disables it
#define ID_CMD_UNHANDLED 0x8208
#define IDC_BAR_BUTTON   0x8209 // a button on a bar, a command of the frame

// The MDI frame's menu: a File pop-up and the Window pop-up
#define IDR_TEST_MDI 201

#endif // VELMORA_FRAMETESTIDS_H
