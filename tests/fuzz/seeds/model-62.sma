5
0, "quoted, with comma"
3.5, 
13, "quoted, with comma"
21.5, 
31, "quoted, with comma"

2
1, 1, 0, 
5, 1, 0, span
2
2E8, span
2E8, "quoted, with comma"
1
8.5E-6, 
4
2, 1, 2, 1, "quoted, with comma"
2, 3, 1, 1, 
4, 3, 1, 1, "quoted, with comma"
4, 5, 1, 1, "quoted, with comma"

0

1
3, 3, 1, x
