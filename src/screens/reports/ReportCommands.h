#pragma once

class frmMain;

// The Reports menu: each item opens its report, or brings an open one to the front.
void RegisterReportScreenCommands(frmMain &main);
