VERSION 1.0
Begin Form frmGolden
   Caption         =   "rounded-top-look2"
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
      OrientationConstants=   0
      Tab3DAppearance =   2
      TabStyle        =   2
      TabWidth        =   64
      TabHeight       =   22
      NumTabs         =   4
      TabCaption1     =   "&One"
      TabCaption2     =   "&Two"
      TabCaption3     =   "T&hree"
      TabCaption4     =   "&Four"
   End
End
