package jp.example.quest.parts;

public class Ship {
    private int x;

    public Ship(int x) {
        this.x = x;
    }

    public void move(int by) {
        x += by;
    }

    public int x() {
        return x;
    }
}
