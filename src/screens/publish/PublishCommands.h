#pragma once

class frmMain;

// File > Publish > Sermon Website and Podcast...
void RegisterPublishScreenCommands(frmMain &main);
