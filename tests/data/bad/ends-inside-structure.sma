3
0, joint 1
5, joint 2
12, joint 3
3
1, 1, 1, fixed end
2, 1, 0, roller
