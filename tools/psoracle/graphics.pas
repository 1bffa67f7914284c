{ Stand-in for the LCL unit Graphics, which uPSC_graphics uses for its
  system colour constants only. The values are the LCL's: the system colour
  base $80000000 plus the colour's index. Building the whole LCL for a
  compile-time unit is not needed. }
unit Graphics;

{$MODE DELPHI}

interface

const
  SystemColorBase = LongInt($80000000);
  clScrollBar = SystemColorBase or 0;
  clBackground = SystemColorBase or 1;
  clActiveCaption = SystemColorBase or 2;
  clInactiveCaption = SystemColorBase or 3;
  clMenu = SystemColorBase or 4;
  clWindow = SystemColorBase or 5;
  clWindowFrame = SystemColorBase or 6;
  clMenuText = SystemColorBase or 7;
  clWindowText = SystemColorBase or 8;
  clCaptionText = SystemColorBase or 9;
  clActiveBorder = SystemColorBase or 10;
  clInactiveBorder = SystemColorBase or 11;
  clAppWorkSpace = SystemColorBase or 12;
  clHighlight = SystemColorBase or 13;
  clHighlightText = SystemColorBase or 14;
  clBtnFace = SystemColorBase or 15;
  clBtnShadow = SystemColorBase or 16;
  clGrayText = SystemColorBase or 17;
  clBtnText = SystemColorBase or 18;
  clInactiveCaptionText = SystemColorBase or 19;
  clBtnHighlight = SystemColorBase or 20;
  cl3DDkShadow = SystemColorBase or 21;
  cl3DLight = SystemColorBase or 22;
  clInfoText = SystemColorBase or 23;
  clInfoBk = SystemColorBase or 24;

implementation

end.
