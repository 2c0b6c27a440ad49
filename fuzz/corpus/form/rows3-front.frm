VERSION 1.0
Begin Form frmGolden
   Caption         =   "rows3-front"
   ScaleMode       =   3
   ClientWidth     =   5040
   ClientHeight    =   3240
   Begin VNTabCtl VNTabCtl1
      Left            =   8
      Top             =   8
      Width           =   320
      Height          =   200
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabWidth        =   72
      TabHeight       =   20
      TabRows         =   3
      NumTabs         =   7
      TabCaption1     =   "Tab &1"
      TabCaption2     =   "Tab &2"
      TabCaption3     =   "Tab &3"
      TabCaption4     =   "Tab &4"
      TabCaption5     =   "Tab &5"
      TabCaption6     =   "Tab &6"
      TabCaption7     =   "Tab &7"
   End
End
