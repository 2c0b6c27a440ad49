VERSION 1.0
Begin Form frmGolden
   Caption         =   "rows2-left"
   ScaleMode       =   3
   ClientWidth     =   5040
   ClientHeight    =   3840
   Begin VNTabCtl VNTabCtl1
      Left            =   8
      Top             =   8
      Width           =   320
      Height          =   240
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      OrientationConstants=   3
      TabWidth        =   60
      TabsPerRow      =   3
      NumTabs         =   5
      TabCaption1     =   "Tab &1"
      TabCaption2     =   "Tab &2"
      TabCaption3     =   "Tab &3"
      TabCaption4     =   "Tab &4"
      TabCaption5     =   "Tab &5"
   End
End
