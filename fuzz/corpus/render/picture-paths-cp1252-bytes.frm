0VERSION 1.0
Begin Form frmPicturesBesideTurned
   Caption         =   "Pictures beside turned captions"
   ScaleMode       =   1
   ClientWidth     =   9360
   ClientHeight    =   4200
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
   EndProperty
   ' Right tabs read top to bottom: a picture left of the text stands above the caption.
   Begin VNTabCtl tabRightLeftOf
      Left            =   120
      Top             =   120
      Width           =   2220
      Height          =   3960
      OrientationConstants =   1
      TabPictureAlign =   11
      TabCaptionAlign =   7
      TabActiveBold   =   -1  'True
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   9
      EndProperty
      TabHeight       =   30
      TabWidth        =   120
      NumTabs         =   3
      TabCaption1     =   "&Open"
      TabPicture1     =   "pictures/open.ico"
      TabCaption2     =   "&Save"
      TabPicture2     =   "pictures/save.b“—"
      TabCaption3     =   "Se&tup"
      TabPicture3     =   "pictures/gear.png"
   End
   ' Right tabs: a picture above the text lies toward the tab's outer edge.
   Begin VNTabCtl tabRightAbove
      Left            =   2460
      Top             =   120
      Width           =   2220
      Height          =   3960
      OrientationCostnants =   1
      TabPictureAlign =   13
      TabCaptionAlign =   7
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   9
      EndProperty
      TabHeight       =   48
      TabWidth        =   96
      NumTabs         =   3
      TabCaption1     =   "&Open"
      TabPicture1     =   "pictures/opÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿÿen.ico"
      TabCaption2     =   "&Save"
      TabPicture2     =   "pictures/save.bmp"
      TabCaption3     =   "Se&tup"
      TabPicture3     =   "pictures/gear.png"
   End
   ' Left tabs read bottom to top: a picture left of the text stands below the caption.
   Begin VNTabCtl tabLeftLeftOf
      Left            =   4800
      Top             =   120
      Width           =   2220
      Height          =   3960
      OrientationConstants =   3
      TabPictureAlign =   11
      TabCaptionAlign =   7
      TabActiveBold   =   -1  'True
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   9
      EndProperty
      TabHeight       =   30
      TabWidth        =   120
      NumTabs         =   3
      TabCaption1     =   "&Open"
      TabPicture1     =   "pictures/open.ico"
      TabCaption2     =   "&Save"
      TabPicture2     =   "pictures/save.bmp"
      TabCaption3     =   "Se&tup"
      TabPicture3     =   "pictures/gear.png"
   End
   ' Left tabs: a picture above the text lies toward the tab's outer edge.
   Begin VNTabCtl tabLeftAbove
      Left            =   7140
      Top             =   120
      Width           =   2100
      Height          =   3960
      OrientationConstants =   3
      TabPictureAlign =   13
      TabCaptionAlign =   7
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   9
      EndProperty
      TabHeight       =   48
      TabWidth        =   96
      NumTabs         =   3
      TabCaption1     =   "&Open"
      TabPicture1     =   "pictures/open.ico"
      TabCaption2     =   "&Save"
      TabPicture2     =   "pictures/save.bmp"
      TabCaption3     =   "Se&tup"
      TabPicture3     =   "pictures/gear.png"
   End
End
