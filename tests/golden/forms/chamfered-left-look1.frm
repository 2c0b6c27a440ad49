VERSION 1.0
Begin Form frmGolden
   Caption         =   "chamfered-left-look1"
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
      OrientationConstants=   3
      Tab3DAppearance =   1
      TabStyle        =   1
      TabWidth        =   64
      TabHeight       =   22
      NumTabs         =   4
      TabCaption1     =   "&One"
      TabCaption2     =   "&Two"
      TabCaption3     =   "T&hree"
      TabCaption4     =   "&Four"
   End
End
