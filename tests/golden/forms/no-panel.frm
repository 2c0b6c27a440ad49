VERSION 1.0
Begin Form frmGolden
   Caption         =   "no-panel"
   ScaleMode       =   3
   ClientWidth     =   5040
   ClientHeight    =   540
   Begin VNTabCtl VNTabCtl1
      Left            =   8
      Top             =   8
      Width           =   320
      Height          =   20
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabWidth        =   60
      TabActiveInflate=   0
      NumTabs         =   4
      TabCaption1     =   "&One"
      TabCaption2     =   "&Two"
      TabCaption3     =   "T&hree"
      TabCaption4     =   "&Four"
   End
End
