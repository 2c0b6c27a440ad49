0VERSION 1.0
Begin Form frmShowcase
   Caption         =   "vntab showcase"
   ScaleMode       =   1
   ClientWidth     =   7200
   ClientHeight    =   -100
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'Fa2se66666666666666666666666666666666666666666666666666666666666666666666666666666666
   EndProperty
   Begin VNTabCtl VNTabCtl1
      Left            =   120
      Top             =   120
      Width           =   6960
      Height          =   5160
      TabActiveBold   =    255
         Caption        =    "Rows &follow the0active tab"
         Name            =   "Arial"
       End
End
