#pragma once
// The About window TForm2: the product name, its version, the distribution
// terms and the author line over a picture of its own. Made when first asked
// for and shown modally as often as asked; closing (by "&Ok" or by the
// title bar) only hides it, so the next showing finds it unchanged.

#include <QDialog>

class IModalWindows;
class QLabel;
class QPushButton;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 285;
    static constexpr int kClientHeight = 254;

    explicit TForm2(IModalWindows &modal, QWidget *parent = nullptr);

    // Returns when the window has closed.
    void ShowModal();

    QLabel *Image1() const { return image1_; }
    QLabel *Label1() const { return label1_; }
    QLabel *Label2() const { return label2_; }
    QLabel *Label3() const { return label3_; }
    QLabel *Label4() const { return label4_; }
    QWidget *Shape1() const { return shape1_; }
    QWidget *Shape2() const { return shape2_; }
    QPushButton *BitBtn1() const { return bitBtn1_; }

protected:
    // The picture is decoded when the window is first shown: the main
    // window's first paint does not wait for it.
    void showEvent(QShowEvent *event) override;

private:
    void BitBtn1Click();

    IModalWindows &modal_;
    QLabel *image1_;
    QLabel *label1_;
    QWidget *shape1_;
    QLabel *label2_;
    QLabel *label3_;
    QWidget *shape2_;
    QLabel *label4_;
    QPushButton *bitBtn1_;
};
