VERSION 1.0
Begin Form frmPages
   Caption         =   "Three pages"
   ScaleMode       =   1
   ClientWidth     =   5040
   ClientHeight    =   3240
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin VNTabCtl VNTabCtl1
      Left            =   120
      Top             =   120
      Width           =   4800
      Height          =   3000
      TabIndex        =   0
      FocusRectStyle  =   1
      TabWidth        =   80
      NumTabs         =   3
      TabCaption1     =   "&General"
      Tab1Control1Name =  "lblName"
      Tab1Control2Name =  "txtName"
      Tab1CtlCount    =   2
      TabCaption2     =   "&Options"
      Tab2Control1Name =  "picSwatch"
      Tab2Control2Name =  "chkBold"
      Tab2CtlCount    =   2
      TabCaption3     =   "&Fonts"
      Tab3Control1Name =  "lstFonts"
      Tab3Control2Name =  "cmdApply"
      Tab3CtlCount    =   2
      Begin Label lblName
         Left            =   -74400
         Top             =   600
         Width           =   1500
         Height          =   240
         Caption         =   "&Name:"
      End
      Begin TextBox txtName
         Left            =   -74400
         Top             =   900
         Width           =   1500
         Height          =   450
         BackColor       =   &H000000FF&
         TabIndex        =   1
      End
      Begin PictureBox picSwatch
         Left            =   -74400
         Top             =   900
         Width           =   1500
         Height          =   450
         BackColor       =   &H0000FF00&
         TabIndex        =   2
      End
      Begin CheckBox chkBold
         Left            =   -74400
         Top             =   1500
         Width           =   1500
         Height          =   300
         Caption         =   "&Bold"
         TabIndex        =   3
      End
      Begin ListBox lstFonts
         Left            =   -74400
         Top             =   900
         Width           =   1500
         Height          =   450
         BackColor       =   &H00FF0000&
         TabIndex        =   4
      End
      Begin CommandButton cmdApply
         Left            =   -74400
         Top             =   1500
         Width           =   1500
         Height          =   360
         Caption         =   "&Apply"
         TabIndex        =   5
      End
   End
End
